// The five construction factors of the furniture fire form, each chosen with
// a frame of option buttons: captions, tool tips and factors by option index.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace vorla::generator {

struct FurnitureOption {
    std::string_view Caption;
    std::string_view ToolTip; // shows the factor: "FF=1.00"
    double Factor;
};

struct FurnitureFactorFrame {
    std::string_view FrameName;               // "fraFabricFactor"
    std::string_view Caption;                 // "Fabric Factor"
    std::string_view OptionArray;             // "optFabricFactor"
    std::span<const FurnitureOption> Options; // by option index; index 0 is selected at start
};

// The frames in the order of FurnitureFactor.
enum class FurnitureFactor { Fabric, Padding, Style, FrameCombustibility, FrameMaterial };
inline constexpr int kFurnitureFactorCount = 5;

const std::array<FurnitureFactorFrame, kFurnitureFactorCount>& FurnitureFactorFrames();

const FurnitureFactorFrame& FurnitureFrameOf(FurnitureFactor factor);

// The factor of the selected option; an index outside the frame falls back to
// option 0, the one selected at start.
double FurnitureFactorValue(FurnitureFactor factor, int selectedIndex);

} // namespace vorla::generator
