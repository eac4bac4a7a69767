# The page models: target_sources(tools_models ...) and their tests.
