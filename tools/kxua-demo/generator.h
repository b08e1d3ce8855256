// Random scenarios for soak runs: alerts of every list with sound and unsound values,
// the user's input and full-screen periods, the same for the same seed on every
// machine.
#pragma once

#include <cstddef>
#include <cstdint>

#include <nlohmann/json.hpp>

namespace kxua::demo {

// What the generator gives every ask alert, so that a check can tell its answers
// apart: the DefaultResponse of the `i`th alert of the scenario.
std::int32_t GeneratedDefaultResponse(std::size_t alert);

// The control of the restart alert whose click answers kRestartResponse.
inline constexpr char kRestartButton[] = "kxzeButtonReboot";
inline constexpr std::int32_t kRestartResponse = 6;

// A scenario (in the scenario file's form) of `alerts` alerts. Every single alert
// expires within a minute of its arrival and the end leaves time for the last ones,
// so a sound library leaves nothing pending.
nlohmann::json GenerateScenario(std::uint64_t seed, std::size_t alerts);

}  // namespace kxua::demo
