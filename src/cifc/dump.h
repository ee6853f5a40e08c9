// Writes the flattened top's rectangles to "corvid.dmp" in the working directory.
#pragma once

int GCdump();
