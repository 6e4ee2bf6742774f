#pragma once
#include <string>

namespace gs {

// Where a save of the settings file really writes, and the temporary files
// it writes first.

// The file that path names, following symbolic links (relative ones from the
// link's own folder), so that a settings file kept as a link elsewhere is
// written where it lives and the link stays. A link to nothing gives the path
// it points to. Gives path itself when the links go round in a circle.
std::string FollowLinks(const std::string& path);

// mkstemp template for a save's temporary file beside target:
// "<target>.saving.<pid>.XXXXXX". The process id in the name tells later
// saves whether the writer is still alive.
std::string SaveTemporaryTemplate(const std::string& target);

// Removes the temporary files of saves of target whose writer process is
// gone (killed in the middle of a save). Nothing else is touched: only names
// of the form above, only entries that are not folders.
void RemoveAbandonedSaveFiles(const std::string& target);

}  // namespace gs
