# The panel models: target_sources(tools_models ...) and their tests.
