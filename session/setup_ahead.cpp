#include "session/setup_ahead.h"

#include <utility>

SetupAhead::SetupAhead(std::string densityText, std::filesystem::path dataFile)
    : densityText_(std::move(densityText)), dataFile_(std::move(dataFile)),
      built_(std::async(std::launch::async | std::launch::deferred,
                        [text = densityText_, file = dataFile_] { return BuildBody(text, file); }))
{
}

bool SetupAhead::Holds(std::string_view densityText, const std::filesystem::path& dataFile) const
{
    return built_.valid() && densityText == densityText_ && dataFile == dataFile_;
}

std::optional<BuiltBody> SetupAhead::Take(std::string_view densityText, const std::filesystem::path& dataFile)
{
    if (!Holds(densityText, dataFile)) return std::nullopt;
    return built_.get();
}
