#ifndef PRAYERTIMES_BATCH_H
#define PRAYERTIMES_BATCH_H

// Reads cases from stdin, one a line, and prints one line for each: the six times, or "error".
int runBatch();

#endif
