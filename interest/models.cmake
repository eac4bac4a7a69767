# The Qt-free models of the interest window, with their tests.
