// The translation unit that precompiles the headers the tests share.
