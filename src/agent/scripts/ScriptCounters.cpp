#include "agent/scripts/ScriptCounters.h"

#include "base/RegUtil.h"

namespace ScriptCounters {

int Count(const QString& name) {
    return RegUtil::GetRegNumber(RegUtil::kScriptsKey, name);
}

bool NotExpired(const QString& name, int limit) {
    const int count = Count(name);
    if (count >= limit) return false;
    RegUtil::SetRegString(RegUtil::kScriptsKey, name, QString::number(count + 1));
    return true;
}

void RestoreAll() {
    RegUtil::DeleteRegKey(RegUtil::kScriptsKey);
}

} // namespace ScriptCounters
