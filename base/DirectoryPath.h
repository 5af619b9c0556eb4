// Creating a directory path level by level.
#pragma once

// Creates every level of path; 0 for paths under 4 characters (or over 260), else 1.
int CreateDirectoryPath(const char* path);
