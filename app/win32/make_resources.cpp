// make_resources ICO RC MANIFEST [planner]: writes the calculator's icon
// (32 and 16 pixels, drawn as the dialogs draw it) to ICO, and to RC the
// resource script that names it, the manifest and the version record from
// res/; with "planner", the planner's icon and a version record that names
// halvex-planner.exe. Run at build time, so the icon never drifts from its
// drawing.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "res/resource_ids.h"
#include "res/string_table.h"
#include "ui/win32/app_icon.h"

namespace {

void Put16(std::string& out, unsigned value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// One icon image: header, colours bottom row first, then the all-opaque mask.
std::string IconImage(int side, int iconId) {
    const std::vector<std::uint32_t> pixels = ui::win32::AppIconPixels(side, iconId);
    std::string out;
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(side));
    Put32(out, static_cast<std::uint32_t>(side * 2));  // colours and mask
    Put16(out, 1);
    Put16(out, 32);
    for (int i = 0; i < 6; ++i) Put32(out, 0);
    for (int row = side - 1; row >= 0; --row) {
        for (int x = 0; x < side; ++x) Put32(out, pixels[static_cast<std::size_t>(row * side + x)]);
    }
    const int maskRow = (side + 31) / 32 * 4;
    out.append(static_cast<std::size_t>(maskRow * side), '\0');
    return out;
}

std::string IconFile(int iconId) {
    const int sides[] = {32, 16};
    std::vector<std::string> images;
    for (int side : sides) images.push_back(IconImage(side, iconId));
    std::string out;
    Put16(out, 0);
    Put16(out, 1);  // an icon
    Put16(out, static_cast<unsigned>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out += static_cast<char>(sides[i]);
        out += static_cast<char>(sides[i]);
        out += '\0';  // no palette
        out += '\0';
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, static_cast<std::uint32_t>(images[i].size()));
        Put32(out, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const std::string& image : images) out += image;
    return out;
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';  // the resource compiler doubles quotes
        out += c;
    }
    return out + '"';
}

std::string Version(const unsigned (&v)[4]) {
    return std::to_string(v[0]) + "," + std::to_string(v[1]) + "," + std::to_string(v[2]) + "," + std::to_string(v[3]);
}

std::string ResourceScript(const std::string& icon, int iconId, const std::string& manifest,
                           const res::VersionRecord& v) {
    char block[16];
    std::snprintf(block, sizeof block, "%04X%04X", v.language, v.codePage);
    char translation[32];
    std::snprintf(translation, sizeof translation, "0x%04X, %u", v.language, v.codePage);
    std::string rc;
    rc += std::to_string(iconId) + " ICON " + Quoted(icon) + "\n";
    rc += "1 24 " + Quoted(manifest) + "\n";  // the manifest, RT_MANIFEST
    rc += "STRINGTABLE\nBEGIN\n  " + std::to_string(res::IDS_ABOUT_ITEM) + " " +
          Quoted(std::string(res::LoadResourceString(res::IDS_ABOUT_ITEM))) + "\nEND\n";
    rc += "1 VERSIONINFO\n";
    rc += "FILEVERSION " + Version(v.fileVersion) + "\n";
    rc += "PRODUCTVERSION " + Version(v.productVersion) + "\n";
    rc += "FILEFLAGSMASK 0x3F\nFILEFLAGS 0x0\nFILEOS 0x4\nFILETYPE 0x1\nFILESUBTYPE 0x0\n";
    rc += "BEGIN\n  BLOCK \"StringFileInfo\"\n  BEGIN\n    BLOCK \"" + std::string(block) + "\"\n    BEGIN\n";
    const std::pair<const char*, const char*> strings[] = {
        {"CompanyName", v.companyName},           {"FileDescription", v.fileDescription},
        {"FileVersion", v.fileVersionText},       {"InternalName", v.internalName},
        {"LegalCopyright", v.legalCopyright},     {"LegalTrademarks", v.legalTrademarks},
        {"OriginalFilename", v.originalFilename}, {"ProductName", v.productName},
        {"ProductVersion", v.productVersionText},
    };
    for (const auto& [key, value] : strings) {
        rc += "      VALUE " + Quoted(key) + ", " + Quoted(std::string(value) + "\\0") + "\n";
    }
    rc += "    END\n  END\n  BLOCK \"VarFileInfo\"\n  BEGIN\n    VALUE \"Translation\", " + std::string(translation) +
          "\n  END\nEND\n";
    return rc;
}

bool Write(const char* path, const std::string& bytes) {
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
    const bool planner = argc == 5 && std::string(argv[4]) == "planner";
    if (argc != 4 && !planner) {
        std::fprintf(stderr, "usage: make_resources ICO RC MANIFEST [planner]\n");
        return 2;
    }
    res::VersionRecord record = res::GetVersionRecord();
    int iconId = res::IDR_MAINFRAME;
    if (planner) {
        iconId = res::IDR_PLANNER;
        record.fileDescription = "Halvex Sine Test Planner";
        record.internalName = "HALVEX-PLANNER";
        record.originalFilename = "HALVEX-PLANNER.EXE";
    }
    if (!Write(argv[1], IconFile(iconId)) || !Write(argv[2], ResourceScript(argv[1], iconId, argv[3], record))) {
        std::fprintf(stderr, "make_resources: cannot write\n");
        return 1;
    }
    return 0;
}
