#pragma once

// The picture converter component: turns a BMP file into a JPEG file. The
// program loads it at run time from its own folder.

#ifdef __cplusplus
extern "C" {
#endif

// Reads the BMP at bmpPath and writes a JPEG of the given quality (1-100)
// at jpegPath. Returns 0 on success, a non-zero value when the BMP cannot
// be read or the JPEG cannot be written.
int BmpToJpeg(const char* bmpPath, const char* jpegPath, int quality);

#ifdef __cplusplus
}
#endif
