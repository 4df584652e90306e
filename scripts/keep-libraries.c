/* Preloaded into the sanitizer runs of scripts/sanitizer-checks: dlclose does nothing, so every
 * library stays mapped until the process ends. LeakSanitizer reports at exit; by then the GL
 * driver would have been unloaded, its blocks would show as "<unknown module>", and the
 * suppressions, which name the libraries, could not tell them from the game's own. */
int dlclose(void* handle) {
    (void)handle;
    return 0;
}
