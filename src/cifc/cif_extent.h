// The extent of the read cells with their calls: every cell, flattened, must
// stay inside the planes' coordinate range, though each number of the file
// does on its own.
#pragma once

// Name of the first cell whose flattened extent leaves the range, or null.
const char* ACcellBeyondPlanes();
