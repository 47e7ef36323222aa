// A strict reader of the JSON the commands print, independent of the
// program's writer: it accepts only well-formed JSON (no NaN, no trailing
// comma) and gives the top-level members as their raw text.
#pragma once

#include <cctype>
#include <cstring>
#include <map>
#include <optional>
#include <string>

namespace bellnozzle::jsontest {

class Reader {
public:
    explicit Reader(const std::string& text) : s_(text) {}

    // The members of the one object the text holds, or none unless the text
    // is exactly one well-formed JSON object (blanks around it allowed).
    std::optional<std::map<std::string, std::string>> TopLevel() {
        std::map<std::string, std::string> members;
        bool ok = Take('{');
        if (ok && !Take('}')) {
            do {
                std::string key;
                ok = String(&key) && Take(':');
                const std::size_t start = (Blanks(), i_);
                ok = ok && Value() && members.emplace(key, s_.substr(start, i_ - start)).second;
            } while (ok && Take(','));
            ok = ok && Take('}');
        }
        if (!ok || (Blanks(), i_ != s_.size())) return std::nullopt;
        return members;
    }

private:
    void Blanks() {
        while (i_ < s_.size() && std::strchr(" \n\t\r", s_[i_]) != nullptr) ++i_;
    }
    bool Take(char c) {
        Blanks();
        return i_ < s_.size() && s_[i_] == c ? (++i_, true) : false;
    }
    bool Digits() {
        const std::size_t start = i_;
        while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) ++i_;
        return i_ > start;
    }
    bool Number() {
        if (i_ < s_.size() && s_[i_] == '-') ++i_;
        if (!Digits()) return false;
        if (i_ < s_.size() && s_[i_] == '.' && (++i_, !Digits())) return false;
        if (i_ < s_.size() && (s_[i_] == 'e' || s_[i_] == 'E')) {
            ++i_;
            if (i_ < s_.size() && (s_[i_] == '+' || s_[i_] == '-')) ++i_;
            return Digits();
        }
        return true;
    }
    bool String(std::string* out) {
        if (!Take('"')) return false;
        for (; i_ < s_.size() && s_[i_] != '"'; ++i_) {
            if (static_cast<unsigned char>(s_[i_]) < 0x20) return false;
            if (s_[i_] == '\\') ++i_;
            if (out != nullptr && i_ < s_.size()) *out += s_[i_];
        }
        return i_ < s_.size() && s_[i_++] == '"';
    }
    bool Value() {
        Blanks();
        if (i_ >= s_.size()) return false;
        for (const char* word : {"null", "true", "false"}) {
            if (s_.compare(i_, std::strlen(word), word) == 0) return i_ += std::strlen(word), true;
        }
        const char open = s_[i_];
        if (open == '"') return String(nullptr);
        if (open != '{' && open != '[') return Number();
        const char close = open == '{' ? '}' : ']';
        ++i_;
        if (Take(close)) return true;
        do {
            if (open == '{' && !(String(nullptr) && Take(':'))) return false;
            if (!Value()) return false;
        } while (Take(','));
        return Take(close);
    }

    const std::string& s_;
    std::size_t i_ = 0;
};

inline std::optional<std::map<std::string, std::string>> TopLevel(const std::string& json) {
    return Reader(json).TopLevel();
}

}  // namespace bellnozzle::jsontest
