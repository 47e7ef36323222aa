#include "core/c_locale.h"

#include <locale.h>

namespace bellnozzle {
namespace {

locale_t CLocale() {
    // Made once and never freed: it lives as long as the process.
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

}  // namespace

ScopedCLocale::ScopedCLocale() : previous_(uselocale(CLocale())) {}

ScopedCLocale::~ScopedCLocale() { uselocale(static_cast<locale_t>(previous_)); }

}  // namespace bellnozzle
