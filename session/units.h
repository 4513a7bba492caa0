#pragma once

#include <string_view>

// The units every quantity is read in, named once for the inspector, the
// plots, the overlays' legend and the help page. The program computes in them
// throughout; nothing converts.
//   length  u    the world unit: a particle's radius is 1 u, drawn `scale` =
//                4 pixels per u
//   time    tu   the time unit: one step is 0.2 tu
//   mass    mu   density × the discs' area: a particle of radius 1 u at
//                density 1 mu/u² weighs π mu
//   force   mu·u/tu²: a push adds its drag in pixels as that many units
namespace unit {

inline constexpr std::string_view kLength = "u";
inline constexpr std::string_view kTime = "tu";
inline constexpr std::string_view kMass = "mu";
inline constexpr std::string_view kDensity = "mu/u²";
inline constexpr std::string_view kVelocity = "u/tu";
inline constexpr std::string_view kAngularVelocity = "rad/tu";
inline constexpr std::string_view kMomentum = "mu·u/tu";
inline constexpr std::string_view kAngularMomentum = "mu·u²/tu";
inline constexpr std::string_view kForce = "mu·u/tu²";
inline constexpr std::string_view kTorque = "mu·u²/tu²";
inline constexpr std::string_view kEnergy = "mu·u²/tu²";
inline constexpr std::string_view kInertia = "mu·u²";
inline constexpr std::string_view kAngle = "°";

}  // namespace unit
