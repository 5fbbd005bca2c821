// The one lifetime rule of the engine's process-wide tables (handles, open files, index orders,
// record locks, settings, the engine lock): each is made on first use and never destroyed.
// Destructors of handle objects reach the other tables, and callers' own static objects may still
// call the engine at process end, so with any order of destruction at exit one would touch another
// already gone; the operating system takes them all back instead.
#pragma once

namespace ce {

// The single instance of T: each process-wide table has a type of its own.
template <typename T>
T& processWide() {
    static T* const instance = new T();
    return *instance;
}

} // namespace ce
