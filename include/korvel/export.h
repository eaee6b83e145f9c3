// Marks the functions libkorvel exports. Everything else in the library is
// hidden, so hosts see exactly one entry point.
#pragma once

#if defined(_WIN32)
#if defined(KORVEL_BUILDING_LIBRARY)
#define KORVEL_EXPORT __declspec(dllexport)
#else
#define KORVEL_EXPORT __declspec(dllimport)
#endif
#elif defined(__GNUC__)
#define KORVEL_EXPORT __attribute__((visibility("default")))
#else
#define KORVEL_EXPORT
#endif
