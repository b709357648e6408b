#pragma once
#include "mail/MailAccount.h"

#include <QIcon>

// The mail window's pictures, drawn when first asked for: the account and folder icons of
// the tree (16 x 16), the tool-bar icons, and the desktop's icon for an attachment's file
// name (looked up by the name alone, so the file need not exist).
namespace MailIcons {

QIcon account();
QIcon folder(MailFolder folder);

enum class Action { NewAccount, DeleteAccount, Compose, Send, Receive, Delete };
QIcon action(Action action);

// The icon theme's picture for the file name's type, or a plain document.
QIcon forFileName(const QString& fileName);

} // namespace MailIcons
