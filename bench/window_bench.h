#pragma once

// Runs the comparison of first and second inside the real window under the offscreen
// platform: both files dropped through the drop handler, then a press of Compare. Prints the
// English result line and the seconds from the press to the end of the run.
int RunInWindow(int argc, char** argv, const char* first, const char* second);
