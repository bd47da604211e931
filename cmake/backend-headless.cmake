# The headless build: the program and its tests on no window system at all. It shows that the
# dialog layer's headless backend stands alone, as the skeleton of a new one.
varnholt_add_program()
