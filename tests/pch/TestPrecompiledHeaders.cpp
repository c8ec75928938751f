// The translation unit that the tests' precompiled header is made with; every test program reuses it.
