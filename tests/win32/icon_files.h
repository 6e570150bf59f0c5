#pragma once
// The committed .ico files, built into the test program as raw data (icon_files.rc).
#define TEST_TARNWICK_ICO_FILE 101
#define TEST_TARNWICK_DISABLED_ICO_FILE 102
