#pragma once
// How screen readers see the program's own widgets: the pictures as images,
// List1 as a table (app/Listenzugang.h), the announcement as a notification.
// Every constructor of such a widget calls this; it installs the factory once.
namespace app {

void zugangAnmelden();

} // namespace app
