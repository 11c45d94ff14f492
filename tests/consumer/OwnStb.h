#pragma once
// The application's own use of stb: encodes and decodes a tiny picture.
bool OwnStbWorks();
