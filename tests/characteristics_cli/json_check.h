// A strict reader of the JSON the commands print, independent of the
// program's writer: it accepts only well-formed JSON (no NaN, no trailing
// comma) and gives the top-level members as their raw text.
#pragma once

#include <cctype>
#include <map>
#include <optional>
#include <string>

namespace bellnozzle::jsontest {

class Reader {
public:
    explicit Reader(const std::string& text) : s_(text) {}

    // The members of the one object the text holds, or none when the text is
    // not exactly one well-formed JSON object (blanks around it allowed).
    std::optional<std::map<std::string, std::string>> TopLevel() {
        std::map<std::string, std::string> members;
        Blanks();
        if (!Take('{')) return std::nullopt;
        Blanks();
        if (!Take('}')) {
            do {
                Blanks();
                std::string key;
                if (!String(&key)) return std::nullopt;
                Blanks();
                if (!Take(':')) return std::nullopt;
                Blanks();
                const std::size_t start = i_;
                if (!Value() || members.count(key)) return std::nullopt;
                members[key] = s_.substr(start, i_ - start);
                Blanks();
            } while (Take(','));
            if (!Take('}')) return std::nullopt;
        }
        Blanks();
        if (i_ != s_.size()) return std::nullopt;
        return members;
    }

    // Whether the whole text is one well-formed JSON value.
    bool Valid() {
        Blanks();
        if (!Value()) return false;
        Blanks();
        return i_ == s_.size();
    }

private:
    bool Take(char c) {
        if (i_ < s_.size() && s_[i_] == c) return ++i_, true;
        return false;
    }
    bool Word(const char* w) {
        const std::string word(w);
        if (s_.compare(i_, word.size(), word) != 0) return false;
        i_ += word.size();
        return true;
    }
    void Blanks() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\t' || s_[i_] == '\r')) ++i_;
    }
    bool Digits() {
        const std::size_t start = i_;
        while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) ++i_;
        return i_ > start;
    }
    bool Number() {
        Take('-');
        if (!Take('0') && !Digits()) return false;
        if (Take('.') && !Digits()) return false;
        if (Take('e') || Take('E')) {
            if (!Take('+')) Take('-');
            if (!Digits()) return false;
        }
        return true;
    }
    bool String(std::string* out) {
        if (!Take('"')) return false;
        while (i_ < s_.size() && s_[i_] != '"') {
            if (static_cast<unsigned char>(s_[i_]) < 0x20) return false;
            if (s_[i_] == '\\') ++i_;
            if (out != nullptr && i_ < s_.size()) *out += s_[i_];
            ++i_;
        }
        return Take('"');
    }
    bool Value() {
        if (i_ >= s_.size()) return false;
        const char c = s_[i_];
        if (c == '{' || c == '[') {
            const char close = c == '{' ? '}' : ']';
            ++i_;
            Blanks();
            if (Take(close)) return true;
            do {
                Blanks();
                if (c == '{') {
                    if (!String(nullptr)) return false;
                    Blanks();
                    if (!Take(':')) return false;
                    Blanks();
                }
                if (!Value()) return false;
                Blanks();
            } while (Take(','));
            return Take(close);
        }
        if (c == '"') return String(nullptr);
        if (Word("null") || Word("true") || Word("false")) return true;
        return Number();
    }

    const std::string& s_;
    std::size_t i_ = 0;
};

inline std::optional<std::map<std::string, std::string>> TopLevel(const std::string& json) {
    return Reader(json).TopLevel();
}

}  // namespace bellnozzle::jsontest
