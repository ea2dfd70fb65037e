#pragma once

#include <QLocalServer>
#include <QLocalSocket>
#include <QString>

#include "namefolder.h"

#include <optional>
#include <vector>

// What the one-window-per-log server does differently on each system.
namespace SingleInstancePlatform {

// Who runs this copy: copies of different users never meet.
QString userKey();
// Where this user's copies may hold the name, in order: see
// SingleInstance::nameFolders.
std::vector<NameFolder> nameFolders();
// Whether the name may lie in the folder: one that only this user can make
// or enter, made so first where make is true and the program makes it.
bool holdsNames(const NameFolder &folder, bool make);
// Whether this start is this user's first on the log, decided at once where
// no other user can reach, and held until the copy ends: two starts at the
// same moment never both see themselves first. Nothing where no such place
// can be had, and the name itself decides.
std::optional<bool> claimFirst(const QString &name, const std::vector<NameFolder> &folders);
// Lets the claim go: the copy ends, or it found another copy after all.
void releaseClaim(const QString &name);
// Makes the name reachable by this user alone, and where the system allows,
// one that a killed copy does not leave behind.
void prepare(QLocalServer &server);
void prepare(QLocalSocket &socket);
// Whether the copy that holds the name runs as this user. Another user may
// take a name first; a start then goes on alone instead of asking them.
// Where the system cannot tell, the copy is taken as this user's.
bool heldByThisUser(QLocalSocket &socket);
// Frees a name that a killed copy left behind, once no copy answered on it.
bool freeAbandonedName(const QString &name);

} // namespace SingleInstancePlatform
