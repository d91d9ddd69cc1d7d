#include "bmp2jpeg.h"

#include <cstdio>
#include <memory>
#include <turbojpeg.h>

namespace {

struct TurboJpegHandle {
    void operator()(void* handle) const { tjDestroy(handle); }
};

struct TurboJpegBuffer {
    void operator()(unsigned char* buffer) const { tjFree(buffer); }
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

extern "C" __attribute__((visibility("default"))) int BmpToJpeg(const char* bmpPath,
                                                                const char* jpegPath, int quality) {
    if (bmpPath == nullptr || jpegPath == nullptr || quality < 1 || quality > 100) {
        return 1;
    }
    int width = 0;
    int height = 0;
    int pixelFormat = TJPF_RGB;
    const std::unique_ptr<unsigned char, TurboJpegBuffer> pixels(
        tjLoadImage(bmpPath, &width, 1, &height, &pixelFormat, 0));
    if (!pixels) {
        return 2;
    }
    const std::unique_ptr<void, TurboJpegHandle> compressor(tjInitCompress());
    if (!compressor) {
        return 3;
    }
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    if (tjCompress2(compressor.get(), pixels.get(), width, 0, height, pixelFormat, &jpeg, &size,
                    TJSAMP_444, quality, TJFLAG_ACCURATEDCT) != 0) {
        tjFree(jpeg);
        return 4;
    }
    const std::unique_ptr<unsigned char, TurboJpegBuffer> owned(jpeg);
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(jpegPath, "wb"));
    if (!file) {
        return 5;
    }
    if (std::fwrite(owned.get(), 1, size, file.get()) != size) {
        return 6;
    }
    return std::fflush(file.get()) == 0 ? 0 : 6;
}
