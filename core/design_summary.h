// What an engineer checks before taking a design further, from the profile
// file alone: the nozzle's main dimensions, how much shorter it is than its
// 15-degree reference cone, the wall's surface area and the internal volume
// (for mass and cooling estimates), and its 1-D isentropic performance.
#pragma once

#include <string>

#include "core/profile_reader.h"

namespace bellnozzle {

// The gas and the pressures the 1-D figures are worked out for.
struct FlowConditions {
    double gamma = 1.4;        // ratio of specific heats
    double p0Bar = 20.0;       // chamber total pressure
    double paBar = 1.01325;    // ambient pressure; 0 for vacuum
};

// Throws Error unless gamma is a finite number above 1, p0 a finite number
// above 0 and pa a finite number of at least 0.
void CheckFlowConditions(const FlowConditions& flow);

enum class Expansion { Under, Ideal, Over };

struct DesignSummary {
    bool conical = false;          // the reference cone's own profile
    double throatDiameter = 0;     // cm, from the file's Rt
    double exitDiameter = 0;       // cm, from the file's Re
    double areaRatio = 0;          // (Re / Rt)^2
    double epsilonEntered = 0;     // the epsilon the design was made for
    double length = 0;             // cm, throat to exit (the file's lengf)
    double coneLength = 0;         // cm, the 15-degree reference cone
    double lengthSaved = 0;        // cm, coneLength - length
    double lengthSavedPercent = 0; // per cent of coneLength
    double thetaN = 0, thetaS = 0; // degrees
    double wallArea = 0;           // cm^2, the wall of revolution through every point
    double volume = 0;             // cm^3, inside that wall
    FlowConditions flow;
    double exitMach = 0;
    double exitPressureRatio = 0;     // pe/p0
    double exitTemperatureRatio = 0;  // Te/T0
    double exitPressureBar = 0;
    double thrustCoefficientVacuum = 0;
    double thrustCoefficientAmbient = 0;  // at pa
    Expansion expansion = Expansion::Ideal;
    bool separationLikely = false;        // pe below 0.4 pa
    // (1 + cos 15 deg) / 2 for the cone. A bell has none of its own: 0 here,
    // and a caller that analyses the flow in two dimensions sets the
    // efficiency it finds, which the text and JSON then print.
    double divergenceFactor = 0;
};

// The profile's figures for the flow. Throws Error naming the header line
// when the file lacks one of the values the summary needs, or holds a
// throat or exit radius that gives no nozzle, and for refused conditions.
DesignSummary SummarizeDesign(const ProfileTable& profile, const FlowConditions& flow,
                              const std::string& path);

// Reads the profile file and summarises it; throws Error as the reader and
// SummarizeDesign do.
DesignSummary SummarizeProfileFile(const std::string& path, const FlowConditions& flow);

// One labelled line per figure, "name=value unit", for the command and the
// window's text pane.
std::string FormatSummaryText(const DesignSummary& summary);

// The same figures as one JSON object, units in the key names.
std::string FormatSummaryJson(const DesignSummary& summary);

// The value on the header line "name=VALUE unit" of the profile; false when
// there is no such line or its value is not a finite number.
bool ProfileHeaderValue(const ProfileTable& profile, const std::string& name, double& value);

}  // namespace bellnozzle
