// CMake compiles a precompiled header only for a target that has a source of its own: this file
// is that source for the header the Qt tests share.
