// Reading "zelto_perfil.txt" back. Lines are read whole, whatever their
// length, and a point line is parsed as "%d %f %f" would parse it, without the
// undefined behaviour of scanf on an overflowing number.
#include "core/profile_reader.h"

#include <cmath>
#include <cstdlib>
#include <string_view>

#include "core/c_locale.h"
#include "core/error.h"
#include "core/text_file.h"
#include "core/text_format.h"

namespace bellnozzle {
namespace {

constexpr std::string_view kSectionLine = "[perfil]\n";

const char* SkipSpace(const char* s) {
    // The blanks of the "C" locale, as scanf's %d and %f skip them there.
    while (*s == ' ' || (*s >= '\t' && *s <= '\r')) ++s;
    return s;
}

// Parses "%d %f %f" into the fields that convert, leaving the others as they
// were, and returns the number of conversions (0 to 3). The point number is
// kept as a long long, saturated, so that an absurd number can be refused.
int ParsePointLine(const char* s, long long& number, float& x, float& y) {
    s = SkipSpace(s);
    const char* digits = s;
    if (*digits == '+' || *digits == '-') ++digits;
    if (*digits < '0' || *digits > '9') return 0;
    char* end = nullptr;
    number = std::strtoll(s, &end, 10);  // saturates at the long long range
    s = end;
    for (float* field : {&x, &y}) {
        s = SkipSpace(s);
        const float value = std::strtof(s, &end);
        if (end == s) return field == &x ? 1 : 2;
        *field = value;
        s = end;
    }
    return 3;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = (end == std::string::npos) ? text.size() : end + 1;
        lines.emplace_back(text, start, end - start);
        start = end;
    }
    return lines;
}

[[noreturn]] void Refuse(const std::string& path, const std::string& english,
                         const std::string& portuguese) {
    throw Error("profile file \"" + path + "\" " + english +
                    "; run the design (bellnozzle design, or \"Cálculo\" in the window) first",
                "arquivo de perfil \"" + path + "\" " + portuguese +
                    "; execute o projeto (botão \"Cálculo\") antes");
}

}  // namespace

ProfileTable ReadProfileTable(const std::string& path) {
    std::string text;
    try {
        text = ReadWholeFile(path);
    } catch (const Error&) {
        Refuse(path, "cannot be read (missing or unreadable)", "não pode ser lido (ausente ou ilegível)");
    }
    return ParseProfileText(text, path);
}

ProfileTable ParseProfileText(const std::string& text, const std::string& path) {
    const std::vector<std::string> lines = SplitLines(text);
    // strtof and strtoll read a decimal comma under some desktop locales.
    const ScopedCLocale cLocale;

    ProfileTable table;
    table.X.assign(1, 0.0f);
    table.Y.assign(1, 0.0f);
    std::size_t line = 0;
    for (; line < lines.size(); ++line) {
        if (lines[line] == kSectionLine) break;
        table.Header.push_back(lines[line]);
    }
    if (line == lines.size()) {
        for (const std::string& text : lines) {
            if (text == "[perfil]\r\n") {
                Refuse(path, "ends its \"[perfil]\" line in CR LF (Windows line ends); save it with plain "
                             "line feeds",
                       "termina a linha \"[perfil]\" em CR LF (fim de linha do Windows); grave-o com "
                       "fins de linha LF");
            }
        }
        Refuse(path, "has no \"[perfil]\" line", "não tem a linha \"[perfil]\"");
    }

    // The fields keep their values from one line to the next, so a line that
    // does not parse repeats the point before it; before the first complete
    // point such a line is skipped.
    long long number = 0;
    float x = 0.0f;
    float y = 0.0f;
    bool havePoint = false;
    for (++line; line < lines.size(); ++line) {
        const int converted = ParsePointLine(lines[line].c_str(), number, x, y);
        if (!havePoint && converted < 3) continue;
        havePoint = true;
        const std::string where = Format(", line %zu,", line + 1);
        if (number < 1 || number > kMaxPointNumber) {
            Refuse(path, Format("%s names point number %lld, outside 1 to %d", where.c_str(), number,
                                kMaxPointNumber),
                   Format("%s traz o ponto número %lld, fora de 1 a %d", where.c_str(), number,
                          kMaxPointNumber));
        }
        if (!std::isfinite(x) || !std::isfinite(y)) {
            Refuse(path, where + " holds a coordinate that is not a finite number",
                   where + " traz uma coordenada que não é um número finito");
        }
        const auto i = static_cast<std::size_t>(number);
        if (i >= table.X.size()) {
            table.X.resize(i + 1, 0.0f);
            table.Y.resize(i + 1, 0.0f);
        }
        table.X[i] = x;
        table.Y[i] = y;
        table.Count = static_cast<int>(number);
    }
    if (!havePoint) {
        Refuse(path, "has no point line after \"[perfil]\"", "não tem linhas de pontos depois de \"[perfil]\"");
    }
    return table;
}

void CopyProfileHeader(const ProfileTable& profile, std::string& out) {
    for (const std::string& line : profile.Header) {
        out += "// ";
        out += line;
    }
}

}  // namespace bellnozzle
