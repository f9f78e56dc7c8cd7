#pragma once
// The small pictures of sections, files of the installation folder's "icons\": one per section type number
// ("Section10.bmp") and one per template a table names instead of a number ("Custom.dwg" has
// "Custom.bmp"); "SectionNone.bmp" stands for a section that has none. White is their transparent colour.
#include "nuvo/Ork_String.h"
#include "ui/Window.h"

// The picture of a section table's type text (its descriptor): the existing file, or empty when the
// installation has none. Only the text's last name is used, so a picture is never looked up outside "icons\";
// a name of "." or "..", or one holding a drive, has none.
Ork_String sectionPictureFile(const Ork_String& typeText);
// The picture shown for a section without one of its own; empty when the installation lacks it too.
Ork_String sectionFallbackPictureFile();
// The picture of `typeText` loaded for a control, or with `withFallback` the fallback picture when the type
// has none. False, with `image` as it was, when there is no picture or its file is not a bitmap.
bool loadSectionPicture(const Ork_String& typeText, bool withFallback, ui::Image& image);
