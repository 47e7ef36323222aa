// Placeholder until the characteristic net lands: every analysis is refused.
#include "characteristics/nozzle_analysis.h"

#include "core/error.h"

namespace bellnozzle::moc {

AnalysisResult AnalyzeProfile(const ProfileTable&, const AnalysisOptions&, const std::string& path) {
    throw Error("the 2-D analysis of \"" + path + "\" is not built yet",
                "a análise 2-D de \"" + path + "\" ainda não existe");
}

}  // namespace bellnozzle::moc
