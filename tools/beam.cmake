# The panel and the deadline page: target_sources(tools ...) and their widget tests.
