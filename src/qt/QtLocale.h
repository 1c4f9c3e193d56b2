#pragma once

namespace tav::qtlocale {

// Makes Qt's default locale (QLocale(), the system's unless the application set another) the
// calling thread's locale for conversions and Format, unless the application chose the thread's
// locale itself (Locale::setCurrent): a WidgetBinder does this for the widgets it binds, and so
// for the window of tavparts gui. Qt's C locale is en-US; a locale the regional data lacks leaves
// the thread's locale as it was.
void follow();

}  // namespace tav::qtlocale
