#pragma once

// How long the program listens before it decides the meter has nothing more to
// say. One read gives up after `readTimeoutMs` of silence; `silentReadsToEnd`
// such reads end an answer or a transfer. Tests shorten these.
struct LineTiming
{
    int readTimeoutMs = 200;
    int silentReadsToEnd = 10;
};
