#pragma once
// How screen readers see the program's own widgets: the pictures as images,
// List1 as a table (app/Listenzugang.h), the announcement as a notification,
// a single-line field with whole text runs (app/Eingabezugang.h).
// Every constructor of such a widget calls this; it installs the factory once.
namespace app {

void zugangAnmelden();

} // namespace app
