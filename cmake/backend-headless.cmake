# What the headless build adds: nothing. The program and its tests run on no window system at
# all, which shows that the dialog layer's headless backend stands alone, as the skeleton of a
# new one.
