// Help pages: the sources in assets/help hold the body of each page; the
// generator gives every page the same head and style.
#pragma once

#include <QString>

// A complete page from a page body that starts with its <h1> title.
QString HelpPage(const QString& body);
