#include "windows_outputs/PagePicture.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <stdexcept>

namespace dd::test {
namespace {

uint32_t Crc32(const uint8_t* bytes, size_t size, uint32_t crc) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> entries{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) crc = table[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void PutBigEndian(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void WriteChunk(std::ofstream& file, const char* type, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> chunk;
    PutBigEndian(chunk, static_cast<uint32_t>(data.size()));
    chunk.insert(chunk.end(), type, type + 4);
    chunk.insert(chunk.end(), data.begin(), data.end());
    PutBigEndian(chunk, Crc32(chunk.data() + 4, chunk.size() - 4, 0));
    file.write(reinterpret_cast<const char*>(chunk.data()), static_cast<std::streamsize>(chunk.size()));
}

// A zlib stream of stored (uncompressed) deflate blocks: simple, and a page is a few megabytes.
std::vector<uint8_t> StoredZlib(const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> out = {0x78, 0x01};
    size_t offset = 0;
    do {
        const size_t size = std::min<size_t>(raw.size() - offset, 65535);
        const bool last = offset + size == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<uint8_t>(size & 0xFF));
        out.push_back(static_cast<uint8_t>(size >> 8));
        out.push_back(static_cast<uint8_t>(~size & 0xFF));
        out.push_back(static_cast<uint8_t>((~size >> 8) & 0xFF));
        out.insert(out.end(), raw.begin() + static_cast<ptrdiff_t>(offset),
                   raw.begin() + static_cast<ptrdiff_t>(offset + size));
        offset += size;
    } while (offset < raw.size());
    uint32_t a = 1;
    uint32_t b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBigEndian(out, (b << 16) | a);
    return out;
}

}  // namespace

bool WritePng(const PagePicture& page, const std::string& path) {
    std::ofstream file(path, std::ios::binary);
    if (!file) return false;
    static const char kSignature[] = "\x89PNG\r\n\x1A\n";
    file.write(kSignature, 8);
    std::vector<uint8_t> header;
    PutBigEndian(header, static_cast<uint32_t>(page.width));
    PutBigEndian(header, static_cast<uint32_t>(page.height));
    header.insert(header.end(), {8, 0, 0, 0, 0});  // 8-bit gray, no interlace
    WriteChunk(file, "IHDR", header);
    std::vector<uint8_t> raw;
    raw.reserve(static_cast<size_t>(page.width + 1) * page.height);
    for (int y = 0; y < page.height; ++y) {
        raw.push_back(0);  // no filter
        const auto row = page.gray.begin() + static_cast<ptrdiff_t>(y) * page.width;
        raw.insert(raw.end(), row, row + page.width);
    }
    WriteChunk(file, "IDAT", StoredZlib(raw));
    WriteChunk(file, "IEND", {});
    return static_cast<bool>(file);
}

BitmapPrintDevice::BitmapPrintDevice(const PaperArgs& args) : args_(args) {
    dc_ = CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = args.width / args.unitsPerPixel;
    info.bmiHeader.biHeight = -(args.height / args.unitsPerPixel);  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dc_ == nullptr || bitmap_ == nullptr) throw std::runtime_error("cannot make the page bitmap");
    pixels_ = static_cast<uint32_t*>(bits);
    previousBitmap_ = SelectObject(dc_, bitmap_);
    // The commands draw in device units; the bitmap shows them scaled down.
    SetGraphicsMode(dc_, GM_ADVANCED);
    const float scale = 1.0f / static_cast<float>(args.unitsPerPixel);
    const XFORM transform{scale, 0, 0, scale, 0, 0};
    SetWorldTransform(dc_, &transform);
    ClearPage();
}

BitmapPrintDevice::~BitmapPrintDevice() {
    SelectObject(dc_, previousBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void BitmapPrintDevice::ClearPage() {
    const int count = (args_.width / args_.unitsPerPixel) * (args_.height / args_.unitsPerPixel);
    GdiFlush();
    // COLORREF is 0x00BBGGRR, a 32-bit DIB pixel 0x00RRGGBB.
    const uint32_t paper = (GetRValue(args_.paper) << 16) | (GetGValue(args_.paper) << 8) | GetBValue(args_.paper);
    std::fill(pixels_, pixels_ + count, paper);
}

PagePicture BitmapPrintDevice::CurrentPage() const {
    GdiFlush();
    PagePicture page;
    page.width = args_.width / args_.unitsPerPixel;
    page.height = args_.height / args_.unitsPerPixel;
    page.gray.resize(static_cast<size_t>(page.width) * page.height);
    for (size_t i = 0; i < page.gray.size(); ++i) {
        const uint32_t pixel = pixels_[i];
        const uint32_t red = (pixel >> 16) & 0xFF;
        const uint32_t green = (pixel >> 8) & 0xFF;
        const uint32_t blue = pixel & 0xFF;
        page.gray[i] = static_cast<uint8_t>((red * 299 + green * 587 + blue * 114) / 1000);
    }
    return page;
}

void BitmapPrintDevice::StartDocument(const std::string& name) {
    calls_.push_back("start " + name);
    if (onStartDocument) onStartDocument();
}

void BitmapPrintDevice::NextPage() {
    calls_.push_back("next");
    pages_.push_back(CurrentPage());
    ClearPage();
}

void BitmapPrintDevice::EndDocument() {
    calls_.push_back("end");
    pages_.push_back(CurrentPage());
    ClearPage();
}

namespace {

template <typename Visit>
void ForEachPixel(const PagePicture& page, int unitsPerPixel, const DeviceArea& area, Visit&& visit) {
    // Only the pixels wholly inside the area: one that straddles its edge shows what lies beyond too.
    const int left = std::max(0, (area.left + unitsPerPixel - 1) / unitsPerPixel);
    const int right = std::min(page.width, area.right / unitsPerPixel);
    const int top = std::max(0, (area.top + unitsPerPixel - 1) / unitsPerPixel);
    const int bottom = std::min(page.height, area.bottom / unitsPerPixel);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) visit(x, y, page.At(x, y));
    }
}

}  // namespace

int InkIn(const PagePicture& page, int unitsPerPixel, const DeviceArea& area) {
    int ink = 0;
    ForEachPixel(page, unitsPerPixel, area, [&](int, int, uint8_t gray) { ink += gray < 128 ? 1 : 0; });
    return ink;
}

std::pair<int, int> InkRows(const PagePicture& page, int unitsPerPixel, const DeviceArea& area) {
    int top = -1;
    int bottom = -1;
    ForEachPixel(page, unitsPerPixel, area, [&](int, int y, uint8_t gray) {
        if (gray >= 128) return;
        if (top < 0 || y < top) top = y;
        bottom = std::max(bottom, y + 1);
    });
    if (top < 0) return {0, 0};
    return {top * unitsPerPixel, bottom * unitsPerPixel};
}

}  // namespace dd::test
