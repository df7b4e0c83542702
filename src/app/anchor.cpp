// Keeps the core library non-empty before any subsystem exists.
namespace ovinex { int coreLibraryAnchor = 0; }
