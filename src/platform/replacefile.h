#pragma once

#include <QByteArray>
#include <QString>

namespace zub {

// Writes bytes to a new file beside path, flushes it to the disk and then lets it take the place of path
// in one step, so a reader sees either the old content or the new, never a part of it. The new file takes
// the permissions of the one it replaces. Throws zub::Error naming path when any step fails; path then
// keeps its previous content.
//
// A process killed in the middle leaves its new file behind under a name only this function makes:
// path, a dot, six letters or digits and ".saving".
void ReplaceFile(const QString& path, const QByteArray& bytes);

// Removes the files that interrupted ReplaceFile calls for path left beside it, and nothing else. Call it
// only while no other process can be replacing path, that is while holding the file's FileLock.
void RemoveInterruptedReplacements(const QString& path);

} // namespace zub
