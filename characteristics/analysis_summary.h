// The summary of a profile with its 2-D analysis beside the 1-D figures, as
// the summary command prints it and the window's "Resumo do projeto" shows
// it. A bell's divergence factor is then the analysis' efficiency.
#pragma once

#include <optional>
#include <string>

#include "characteristics/nozzle_analysis.h"
#include "core/design_summary.h"

namespace bellnozzle::moc {

struct AnalysedSummary {
    DesignSummary summary;
    std::optional<AnalysisResult> analysis;  // none when the analysis refused the wall
    std::string refusal;                     // why not, in English
    std::string refusalPortuguese;           // and in Portuguese
};

// Summarises the profile (throws Error as SummarizeDesign does) and analyses
// its wall for the same gas and pressures. A wall the analysis refuses (a
// profile edited by hand, say) keeps its 1-D figures and the reason.
AnalysedSummary SummarizeWithAnalysis(const ProfileTable& profile, const FlowConditions& flow,
                                      const std::string& path);
AnalysedSummary SummarizeProfileFileWithAnalysis(const std::string& path, const FlowConditions& flow);

// The summary beside an analysis made for it: a bell takes the efficiency as
// its divergence factor, a cone keeps its (1 + cos 15 deg) / 2.
AnalysedSummary CombineWithAnalysis(DesignSummary summary, AnalysisResult analysis);

// FormatSummaryText's lines, then the analysis' efficiency, discharge
// coefficient, thrust coefficients (the 2-D ones named "_2d" beside the
// 1-D ones), shock and separation, or the reason there is none.
std::string FormatAnalysedSummaryText(const AnalysedSummary& s);

// FormatSummaryJson's object with the same figures added after its keys;
// null for each figure of a refused analysis.
std::string FormatAnalysedSummaryJson(const AnalysedSummary& s);

}  // namespace bellnozzle::moc
