 pass word 
