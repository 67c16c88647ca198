// Start-up values of every framework module global; the program's own initialisation
// runs this first.
#pragma once

void zu_framework_Init();
