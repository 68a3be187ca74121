// The date and time settings of a Windows locale: the items of
// GetLocaleInfoW, and the eras of its calendar from EnumCalendarInfoW.
#ifndef PHOTOPAGES_PLATFORM_WINDOWS_LOCALE_SETTINGS_H_
#define PHOTOPAGES_PLATFORM_WINDOWS_LOCALE_SETTINGS_H_

#include <vector>

#include "common/windows_api.h"
#include "platform/locale_settings.h"

namespace photopages {

// The settings of `locale` (LOCALE_USER_DEFAULT for the user's): separators,
// date formats, designators and month and weekday names as the locale gives
// them; the clock from LOCALE_ITIME, LOCALE_ITLZERO and LOCALE_ITIMEMARKPOSN;
// the calendar type from LOCALE_ICALENDARTYPE and its eras, names
// (CAL_SERASTRING) with start years (CAL_IYEAROFFSETRANGE). Texts are bytes
// in the locale's own ANSI code page (LOCALE_IDEFAULTANSICODEPAGE); an item
// the locale does not give stays empty (std::nullopt), a number it does not
// give is 0.
LocaleSettings LocaleSettingsOf(LCID locale);

// The eras of `calendar` as `locale` lists them: names (CAL_SERASTRING), in
// the locale's own ANSI code page, with start years (CAL_IYEAROFFSETRANGE).
std::vector<LocaleEra> CalendarEras(LCID locale, CALID calendar);

}  // namespace photopages

#endif  // PHOTOPAGES_PLATFORM_WINDOWS_LOCALE_SETTINGS_H_
