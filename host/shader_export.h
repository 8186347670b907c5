/* Marks a shader entry point as exported by name; everything else in the
 * library is built with hidden visibility. */
#ifndef NAPSHEEN_HOST_SHADER_EXPORT_H
#define NAPSHEEN_HOST_SHADER_EXPORT_H

#if defined(_WIN32)
#define MI_SHADER_EXPORT extern "C" __declspec(dllexport)
#else
#define MI_SHADER_EXPORT extern "C" __attribute__((visibility("default")))
#endif

#endif
