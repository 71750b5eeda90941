#include "fire_generator/curves/furniture_factors.h"

namespace vorla::generator {
namespace {

constexpr FurnitureOption kFabric[] = {
    {"Thermoplastics", "FF=1.00", 1.00},
    {"Cellulosic Fabrics", "FF=0.40", 0.40},
    {"PVC or Polyurethane Film", "FF=0.25", 0.25},
};
constexpr FurnitureOption kPadding[] = {
    {"Polyurethane and/or Latex Foam", "PF=1.00", 1.00},
    {"Cotton Batting or Neoprene", "PF=0.40", 0.40},
};
constexpr FurnitureOption kStyle[] = {
    {"Ornate Convoluted Shapes", "SF=1.50", 1.50},
    {"Intermediate Shapes (High)", "SF=1.30", 1.30},
    {"Intermediate Shapes (Low)", "SF=1.20", 1.20},
    {"Plain, Primarily Rectangular", "SF=1.00", 1.00},
};
constexpr FurnitureOption kFrameCombustibility[] = {
    {"Non-Combustible Frame", "FC=1.66", 1.66},
    {"Melting Plastic", "FC=0.58", 0.58},
    {"Wood", "FC=0.30", 0.30},
    {"Charring Plastic", "FC=0.18", 0.18},
};
constexpr FurnitureOption kFrameMaterial[] = {
    {"Metal or Plastic Frame", "FM=1.80", 1.80},
    {"Wood Frame", "FM=1.30", 1.30},
};

const std::array<FurnitureFactorFrame, kFurnitureFactorCount> kFrames = {{
    {"fraFabricFactor", "Fabric Factor", "optFabricFactor", kFabric},
    {"fraPaddingFactor", "Padding Factor", "optPaddingFactor", kPadding},
    {"fraStyleFactor", "Style Factor", "optStyleFactor", kStyle},
    {"fraFrameCombustibilityFactor", "Frame Combustibility Factor", "optFrameCombustibilityFactor",
     kFrameCombustibility},
    {"fraFrameMaterialFactor", "Frame Material Factor", "optFrameMaterialFactor", kFrameMaterial},
}};

} // namespace

const std::array<FurnitureFactorFrame, kFurnitureFactorCount>& FurnitureFactorFrames() {
    return kFrames;
}

const FurnitureFactorFrame& FurnitureFrameOf(FurnitureFactor factor) {
    return kFrames[static_cast<int>(factor)];
}

double FurnitureFactorValue(FurnitureFactor factor, int selectedIndex) {
    const auto options = FurnitureFrameOf(factor).Options;
    if (selectedIndex < 0 || selectedIndex >= static_cast<int>(options.size())) {
        selectedIndex = 0;
    }
    return options[selectedIndex].Factor;
}

} // namespace vorla::generator
