// The process locale may be anything: the window runs under the user's desktop
// settings, and a Portuguese or German desktop makes the C library read and
// write decimal commas. The files and entries of this tool always use a point,
// so every C conversion of a number runs under the "C" locale through this.
#pragma once

namespace bellnozzle {

// Makes the calling thread use the "C" locale until it goes out of scope,
// whatever setlocale has set for the process.
class ScopedCLocale {
public:
    ScopedCLocale();
    ~ScopedCLocale();
    ScopedCLocale(const ScopedCLocale&) = delete;
    ScopedCLocale& operator=(const ScopedCLocale&) = delete;

private:
    void* previous_;
};

}  // namespace bellnozzle
