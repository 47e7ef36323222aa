// The fixed names of the files the program reads and writes, and the way a
// folder and such a name are joined.
#pragma once

#include <string>

namespace bellnozzle {

inline constexpr const char* kProfileFileName = "zelto_perfil.txt";
inline constexpr const char* kBlockMeshFileName = "blockMeshDict.txt";
inline constexpr const char* kGmshFileName = "mesh.geo";
inline constexpr const char* kPovFileName = "nozzle1.pov";
inline constexpr const char* kChartBitmapFileName = "theta.bmp";

// "dir/name"; an empty dir or "." means the current folder, and then the bare
// name is returned, as the window uses it.
std::string PathIn(const std::string& dir, const std::string& name);

}  // namespace bellnozzle
