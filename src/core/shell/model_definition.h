#pragma once

#include <filesystem>
#include <vector>

#include "session/workspace.h"

// The model definition file "global.ini" beside the program: which models are offered and
// what each can do. The program only reads it.
namespace tpw {

inline constexpr const char* ModelDefinitionFile = "global.ini";
// The model-type menu has ten entries: model numbers 1 to 10.
inline constexpr int ModelMenuEntries = 10;

// The models whose "use" reads 1, scanning [model1], [model2], ... up to the first model
// without a "use" value. A missing or unreadable file offers none.
std::vector<int> OfferedModels(const std::filesystem::path& globalIni);

// The model chosen at start: the remembered one when it is offered (and, as the menu allows,
// below ModelMenuEntries), otherwise the last offered model. 0 when none is offered.
int StartModel(const std::vector<int>& offered, int remembered);

// Sets ModelType, ModelName and the capabilities of model from the file. "atis" and "wx" are
// boolean texts; a value that is not one (a missing key included) leaves the flag as it was.
void ApplyModel(const std::filesystem::path& globalIni, int modelType, ModelCaps& caps);
// The capabilities of a model as start-up sets them: without ATIS, weather or scrambling
// unless the file says so.
ModelCaps LoadModelCaps(const std::filesystem::path& globalIni, int modelType);

}  // namespace tpw
