#include "foam_case/case_settings.h"

#include <cmath>

#include "core/error.h"
#include "core/isentropic_flow.h"
#include "core/text_format.h"

namespace bellnozzle {
namespace {

[[noreturn]] void Refuse(const std::string& english, const std::string& portuguese) {
    throw Error(english, portuguese);
}

void CheckPositive(double value, const char* english, const char* portuguese) {
    if (!std::isfinite(value) || value <= 0) {
        Refuse(std::string(english) + " must be a finite number above 0",
               std::string(portuguese) + " deve ser um número finito maior que 0");
    }
}

void CheckCount(int cells, const char* english, const char* portuguese) {
    if (cells < 1 || cells > kMaxCellsPerDirection) {
        std::string limit;
        AppendInt(limit, kMaxCellsPerDirection);
        Refuse(std::string(english) + " must be a whole number from 1 to " + limit,
               std::string(portuguese) + " deve ser um número inteiro de 1 a " + limit);
    }
}

}  // namespace

const char* CaseStartName(CaseStart start) { return start == CaseStart::Fill ? "fill" : "1d"; }

bool ParseCaseStart(const std::string& name, CaseStart& start) {
    if (name == "1d") {
        start = CaseStart::OneDimensional;
    } else if (name == "fill") {
        start = CaseStart::Fill;
    } else {
        return false;
    }
    return true;
}

// Molar mass in g/mol, so kg/mol is a thousandth of it.
double GasConditions::GasConstant() const { return kUniversalGasConstant * 1000 / molarMass; }

void CheckProcessCount(int processes, int axialCells) {
    if (processes < 1 || processes > kMaxProcesses || processes > axialCells) {
        std::string limit;
        AppendInt(limit, std::min(kMaxProcesses, std::max(axialCells, 1)));
        Refuse("the number of processes must be a whole number from 1 to " + limit +
                   " (at most one a cell along the axis)",
               "o número de processos deve ser um número inteiro de 1 a " + limit +
                   " (no máximo um por célula ao longo do eixo)");
    }
}

void CheckCaseSettings(const CaseSettings& settings) {
    const GasConditions& gas = settings.gas;
    CheckPositive(gas.chamberPressure, "the chamber pressure", "a pressão na câmara");
    CheckPositive(gas.chamberTemperature, "the chamber temperature", "a temperatura na câmara");
    if (!std::isfinite(gas.gamma) || gas.gamma <= 1) {
        Refuse("gamma (the ratio of specific heats) must be a finite number above 1",
               "gama (a razão dos calores específicos) deve ser um número finito maior que 1");
    }
    CheckPositive(gas.molarMass, "the molar mass", "a massa molar");
    CheckCount(settings.axialCells, "the cell count along the axis", "o número de células ao longo do eixo");
    CheckCount(settings.radialCells, "the cell count from the axis to the wall",
               "o número de células do eixo à parede");
    if (static_cast<long long>(settings.axialCells) * settings.radialCells > kMaxCells) {
        std::string limit;
        AppendInt(limit, kMaxCells);
        Refuse("the mesh must have at most " + limit + " cells",
               "a malha deve ter no máximo " + limit + " células");
    }
    CheckProcessCount(settings.processes, settings.axialCells);
}

}  // namespace bellnozzle
