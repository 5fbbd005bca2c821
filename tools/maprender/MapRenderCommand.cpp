// Argument parsing and the render itself.
#include "maprender/MapRenderCommand.h"

#include <cstdlib>
#include <iostream>

#include "app/MapSettings.h"
#include "map/TDataMap.h"
#include "map/TSmallPreView.h"
#include "maprender/PngFile.h"
#include "toolkit/AnsiString.h"
#include "toolkit/Exception.h"
#include "toolkit/TMemoryStream.h"

namespace maprender {
namespace {

// The program's find shows a found building at this scale at most.
constexpr int kFindScale = 250;

bool parseInt(const std::string& text, int& value) {
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || *end != '\0' || v < 1 || v > 100000)
        return false;
    value = static_cast<int>(v);
    return true;
}

bool parseFloat(const std::string& text, float& value) {
    char* end = nullptr;
    value = std::strtof(text.c_str(), &end);
    return end != text.c_str() && *end == '\0';
}

// "$00008000" or "0x008000".
bool parseColor(const std::string& text, TColor& value) {
    std::string digits = text;
    if (digits.starts_with('$'))
        digits.erase(0, 1);
    else if (digits.starts_with("0x"))
        digits.erase(0, 2);
    char* end = nullptr;
    const unsigned long v = std::strtoul(digits.c_str(), &end, 16);
    if (digits.empty() || *end != '\0' || v > 0xFFFFFF)
        return false;
    value = static_cast<TColor>(v);
    return true;
}

} // namespace

std::optional<RenderRequest> parseArguments(const std::vector<std::string>& arguments) {
    RenderRequest request;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (name == "--fit") {
            request.x.reset();
            request.y.reset();
            continue;
        }
        if (name == "--index") {
            request.useIndex = true;
            continue;
        }
        if (name == "--preview") {
            request.preview = true;
            continue;
        }
        if (!name.starts_with("--")) {
            positional.push_back(name);
            continue;
        }
        if (name == "--address") {
            if (i + 2 >= arguments.size())
                return std::nullopt;
            request.street = arguments[++i];
            request.house = arguments[++i];
            continue;
        }
        if (i + 1 >= arguments.size())
            return std::nullopt;
        const std::string& value = arguments[++i];
        int number = 0;
        float coordinate = 0;
        bool ok = false;
        if (name == "--width" && (ok = parseInt(value, number)))
            request.width = number;
        else if (name == "--height" && (ok = parseInt(value, number)))
            request.height = number;
        else if (name == "--scale" && (ok = parseInt(value, number)))
            request.scale = number;
        else if (name == "--x" && (ok = parseFloat(value, coordinate)))
            request.x = coordinate;
        else if (name == "--y" && (ok = parseFloat(value, coordinate)))
            request.y = coordinate;
        else if (name == "--background")
            ok = parseColor(value, request.background);
        if (!ok)
            return std::nullopt;
    }
    if (positional.size() != 2 || request.x.has_value() != request.y.has_value())
        return std::nullopt;
    request.stream = positional[0];
    request.output = positional[1];
    return request;
}

int render(const RenderRequest& request) {
    TMemoryStream stream;
    try {
        stream.LoadFromFile(request.stream);
    } catch (const EStreamError& e) {
        std::cerr << "maprender: cannot read " << request.stream << ": " << e.what() << "\n";
        return kUnreadable;
    }
    TDataMap map(nullptr);
    map.SetBounds(0, 0, request.width, request.height);
    app::applyMapSettings(map);
    map.SetUseIndex(request.useIndex);
    map.SetBackgroundColor(request.background);
    map.LoadFromStream(stream);
    if (request.x && request.y) {
        const int scale = map.Scale();
        map.SetXWind(*request.x - static_cast<float>(request.width * 50.0 / scale));
        map.SetYWind(*request.y - static_cast<float>(request.height * 50.0 / scale));
    }
    if (request.street) {
        const int found = map.Model().FindObjectByAddress(-1, tk::fromUtf8(*request.street), tk::fromUtf8(request.house));
        if (found < 0) {
            std::cerr << "maprender: no object at " << *request.street << " " << request.house << "\n";
            return kNoAddress;
        }
        map.ZoomToObjects(std::vector<int>{found}, -1);
        if (map.Scale() > kFindScale)
            map.SetScale(kFindScale);
    }
    if (request.scale)
        map.SetScale(*request.scale);
    map.RefreshMap();
    TSmallPreView preview(nullptr);
    if (request.preview) {
        preview.SetBounds(0, 0, request.width, request.height);
        map.SetSmallView(&preview);
        map.RenderSmallView();
    }
    TBitmap& picture = *(request.preview ? preview.Picture() : map.Picture())->Bitmap();
    if (!writePng(picture, request.output)) {
        std::cerr << "maprender: cannot write " << request.output << "\n";
        return kFailed;
    }
    if (map.Model().Damaged()) {
        std::cerr << "maprender: damaged stream: " << map.Model().DamageMessage() << "\n";
        return kDamaged;
    }
    return kOk;
}

} // namespace maprender
