#include "time_zone.h"

#include <cstdlib>
#include <ctime>
#include <string>

void UseTimeZone(const char* rule) {
#ifdef _WIN32
    _putenv((std::string("TZ=") + rule).c_str());
    _tzset();
#else
    setenv("TZ", rule, 1);
    tzset();
#endif
}
