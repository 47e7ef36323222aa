// The figures of a 2-D analysis as the user reads them: labelled text lines
// (as summary prints them), one JSON object, and the wall distribution as CSV.
// Free functions of the result alone, so the command, the window and every
// other caller print the same digits for the same analysis. Numbers come out
// with a decimal point whatever the process locale.
#pragma once

#include <string>

#include "characteristics/nozzle_analysis.h"

namespace bellnozzle::moc {

class JsonMembers;

// "name=value unit" lines, English, every figure of the result but the net.
std::string FormatAnalysisText(const AnalysisResult& result);

// The same figures for the window's text pane, labelled in Portuguese; the
// numbers are printed exactly as in FormatAnalysisText.
std::string FormatAnalysisTextPortuguese(const AnalysisResult& result);

// One JSON object: the figures under the keys of FormatAnalysisText's lines
// with their units in the names, null for a shock or a separation that does
// not occur, and "wall", the stations [{x_cm, y_cm, mach, p_ratio}] from the
// throat to the exit. A figure that is not finite is written as null.
std::string FormatAnalysisJson(const AnalysisResult& result);

// The wall stations as CSV under the header "x_cm,y_cm,mach,p_ratio".
std::string FormatWallCsv(const AnalysisResult& result);

// The lines and JSON members of the shock and the separation alone, as
// FormatAnalysisText and FormatAnalysisJson write them, for callers that
// print them beside figures of their own.
void AppendShockAndSeparationText(const AnalysisResult& result, std::string& out);
void AppendShockAndSeparationJson(const AnalysisResult& result, JsonMembers& json);

// Wall pressure p/p0 of ideal 1-D flow where the wall radius is yCm, for the
// comparison drawn beside the analysis: the supersonic branch, NaN where
// there is no 1-D state (a radius below the throat's).
double OneDimensionalWallPressureRatio(const AnalysisResult& result, double yCm);

}  // namespace bellnozzle::moc
