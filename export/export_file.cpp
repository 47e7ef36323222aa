#include "export/export_file.h"

#include "core/error.h"
#include "core/text_format.h"

namespace bellnozzle {

void CheckProfileTable(const ProfileTable& profile) {
    if (profile.Count < 1 || profile.Count > profile.Size() ||
        profile.Y.size() != profile.X.size()) {
        throw Error(Format("the profile table holds no point %d to export", profile.Count),
                    Format("a tabela do perfil não tem o ponto %d para exportar", profile.Count));
    }
}

}  // namespace bellnozzle
