// The lists a sweep is asked for: numbers as "60,70,80" or "5:50:5", methods
// as "chart,cone".
#include <cmath>

#include "characteristics/trade_sweep.h"
#include "core/entry_conversion.h"
#include "core/error.h"
#include "core/text_format.h"

namespace bellnozzle::moc {
namespace {

std::vector<std::string> SplitAt(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

[[noreturn]] void RefuseList(const std::string& option, const std::string& text, const std::string& english,
                             const std::string& portuguese) {
    throw Error(option + " '" + text + "': " + english +
                    " (give comma-separated values such as 60,70,80 or a range A:B:STEP such as 5:50:5)",
                option + " '" + text + "': " + portuguese +
                    " (dê valores separados por vírgulas, como 60,70,80, ou uma faixa A:B:PASSO, como 5:50:5)");
}

double ListNumber(const std::string& item, const std::string& option, const std::string& text) {
    double value = 0;
    if (!ParseNumber(item, value) || !std::isfinite(static_cast<float>(value))) {
        RefuseList(option, text, "'" + item + "' is not a finite decimal number",
                   "'" + item + "' não é um número decimal finito");
    }
    return value;
}

void AppendRange(const std::string& item, const std::string& option, const std::string& text,
                 std::vector<float>& values) {
    const std::vector<std::string> parts = SplitAt(item, ':');
    if (parts.size() != 3) {
        RefuseList(option, text, "a range is A:B:STEP", "uma faixa é A:B:PASSO");
    }
    const double from = ListNumber(Trimmed(parts[0]), option, text);
    const double to = ListNumber(Trimmed(parts[1]), option, text);
    const double step = ListNumber(Trimmed(parts[2]), option, text);
    if (!(step > 0)) RefuseList(option, text, "the step must be above 0", "o passo deve ser maior que 0");
    if (to < from) RefuseList(option, text, "the range ends below its start", "a faixa termina abaixo do início");
    // The end counts when the steps reach it within rounding: 0.1 steps
    // from 5 to 6 give 11 values.
    const double steps = std::floor((to - from) / step + 1e-9);
    if (steps + 1 + static_cast<double>(values.size()) > static_cast<double>(kMaxSweepDesigns)) {
        RefuseList(option, text, Format("more than %lld values", kMaxSweepDesigns),
                   Format("mais de %lld valores", kMaxSweepDesigns));
    }
    for (long long i = 0; i <= static_cast<long long>(steps); ++i) {
        values.push_back(static_cast<float>(from + static_cast<double>(i) * step));
    }
}

}  // namespace

std::vector<float> ParseSweepNumbers(const std::string& text, const std::string& optionName) {
    std::vector<float> values;
    for (const std::string& part : SplitAt(text, ',')) {
        const std::string item = Trimmed(part);
        if (item.empty()) RefuseList(optionName, text, "an empty value", "um valor vazio");
        if (item.find(':') != std::string::npos) {
            AppendRange(item, optionName, text, values);
        } else {
            values.push_back(static_cast<float>(ListNumber(item, optionName, text)));
        }
        if (static_cast<long long>(values.size()) > kMaxSweepDesigns) {
            RefuseList(optionName, text, Format("more than %lld values", kMaxSweepDesigns),
                       Format("mais de %lld valores", kMaxSweepDesigns));
        }
    }
    return values;
}

std::vector<ContourMethod> ParseSweepMethods(const std::string& text) {
    std::vector<ContourMethod> methods;
    for (const std::string& part : SplitAt(text, ',')) {
        const std::string name = Trimmed(part);
        ContourMethod method = ContourMethod::Chart;
        if (!ParseContourMethod(name, method)) {
            throw Error("--method '" + text + "': '" + name +
                            "' is no contour method (chart, cone, ideal, tic, parabola, toc)",
                        "--method '" + text + "': '" + name +
                            "' não é um método de contorno (chart, cone, ideal, tic, parabola, toc)");
        }
        methods.push_back(method);
    }
    return methods;
}

}  // namespace bellnozzle::moc
