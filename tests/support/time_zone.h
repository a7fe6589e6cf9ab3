#pragma once

// Makes the local-time conversion use the given TZ rule for the rest of the test program.
void UseTimeZone(const char* rule);
