#pragma once

class QThreadPool;

// The one thread that builds device descriptions and frees their trees. Allocation and freeing of the same
// memory in two threads at once contend for the allocator's lock and made a connection twice as slow; one
// thread does both one after the other. It stays, so its heap is already faulted in for the next build.
class BackgroundPool
{
public:
    static QThreadPool *instance();
};
