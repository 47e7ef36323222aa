// The rendered picture: a POV-Ray scene of the nozzle written beside the
// picture and rendered by the real povray into a PNG. Shared by the command
// and the window.
#pragma once

#include <functional>
#include <string>

#include "export/cad_profile.h"

namespace bellnozzle {

struct RenderRequest {
    std::string out;  // the PNG; empty: "nozzle.png" in the folder
    int width = 800;
    int height = 600;
    double thicknessMm = kDefaultThicknessMm;
    std::function<bool()> shouldStop;  // polled while POV-Ray runs; true stops it
    std::function<void()> onTick;
};

inline constexpr int kMinPictureSide = 16;
inline constexpr int kMaxPictureSide = 4096;

struct RenderResult {
    std::string picture;  // the PNG written
    std::string scene;    // the scene it was rendered from (same name, .pov)
};

// Reads "zelto_perfil.txt" in dir, writes the scene and renders it. The PNG is
// rendered under a temporary name and renamed when complete, so a failed or
// stopped render leaves an old picture as it was. Throws Error when povray is
// missing, fails or is stopped, and on a refused profile or size.
RenderResult RenderNozzle(const std::string& dir, const RenderRequest& request);

}  // namespace bellnozzle
