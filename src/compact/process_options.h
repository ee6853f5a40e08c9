// Resizer process options shared with the rest of the program.
#pragma once

// 1: inductors / capacitors are taken out of the planes before the scan and
// recognised after a load. Every form or file acceptance sets both back to 1.
extern int PROCESS_INCLUDE_INDUCTOR;
extern int PROCESS_INCLUDE_PASSIVE;
